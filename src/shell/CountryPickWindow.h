#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace stratagon {

class Program;

// "Welches Land ?": the map's countries; "OK" on a chosen one makes it the
// player's side. Every way out enables the new-game window again.
class CountryPickWindow : public QWidget {
    Q_OBJECT
public:
    explicit CountryPickWindow(Program& program);

    QListWidget* countryList() const { return list_; }
    QString currentText() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void accept();

    Program& program_;
    QLabel* currentLabel_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace stratagon
