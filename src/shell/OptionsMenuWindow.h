#pragma once

#include <QWidget>

namespace stratagon {

class Program;

class OptionsMenuWindow : public QWidget {
    Q_OBJECT
public:
    explicit OptionsMenuWindow(Program& program);

private:
    Program& program_;
};

}  // namespace stratagon
