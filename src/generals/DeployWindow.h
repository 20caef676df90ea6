#pragma once

#include <QWidget>

namespace stratagon {

class Program;

class DeployWindow : public QWidget {
    Q_OBJECT
public:
    explicit DeployWindow(Program& program);

private:
    Program& program_;
};

}  // namespace stratagon
