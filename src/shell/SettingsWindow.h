#pragma once

#include <QWidget>

namespace stratagon {

class Program;

class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit SettingsWindow(Program& program);

private:
    Program& program_;
};

}  // namespace stratagon
