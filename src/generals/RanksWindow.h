#pragma once

#include <QWidget>

namespace stratagon {

class Program;

class RanksWindow : public QWidget {
    Q_OBJECT
public:
    explicit RanksWindow(Program& program);

private:
    Program& program_;
};

}  // namespace stratagon
