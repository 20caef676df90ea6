#pragma once

#include <QWidget>

namespace stratagon {

class Program;

class GeneralListWindow : public QWidget {
    Q_OBJECT
public:
    explicit GeneralListWindow(Program& program);

    // Rebuilds the list after a task was given; nothing when not open.
    void form2_start();
private:
    Program& program_;
};

}  // namespace stratagon
