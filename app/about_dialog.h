#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tw {

class Desktop;
class LinkImage;
class LinkLabel;

// About: the program, its maker, version, licence notice and the maker's links.
class TForm2 final : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(Desktop &desktop, QWidget *parent = nullptr);

    LinkImage *Image1;
    QLabel *StaticText1;
    QLabel *Label1;
    LinkLabel *Label2;
    QLabel *Label3;
    LinkLabel *Label4;
    LinkLabel *Label5;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label8;
    LinkImage *Image2;
    LinkImage *Image3;
    LinkImage *Image55;
    LinkImage *Image7;
    LinkImage *Image5;
    LinkImage *Image6;
    QPushButton *Button2;
    QPushButton *Button1;
};

} // namespace tw
