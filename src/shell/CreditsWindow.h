#pragma once

#include <QWidget>

namespace stratagon {

class Program;

class CreditsWindow : public QWidget {
    Q_OBJECT
public:
    explicit CreditsWindow(Program& program);

private:
    Program& program_;
};

}  // namespace stratagon
