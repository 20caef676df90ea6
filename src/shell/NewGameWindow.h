#pragma once

#include <QWidget>

namespace stratagon {

class Program;

class NewGameWindow : public QWidget {
    Q_OBJECT
public:
    explicit NewGameWindow(Program& program);

private:
    Program& program_;
};

}  // namespace stratagon
