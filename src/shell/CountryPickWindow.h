#pragma once

#include <QWidget>

namespace stratagon {

class Program;

class CountryPickWindow : public QWidget {
    Q_OBJECT
public:
    explicit CountryPickWindow(Program& program);

private:
    Program& program_;
};

}  // namespace stratagon
