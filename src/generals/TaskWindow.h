#pragma once

#include <QWidget>

namespace stratagon {

class Program;

class TaskWindow : public QWidget {
    Q_OBJECT
public:
    explicit TaskWindow(Program& program);

    int General = 0;
private:
    Program& program_;
};

}  // namespace stratagon
