#pragma once

#include <QIcon>
#include <QWidget>

namespace tw {

class Desktop;

// The maker's pictures, drawn rather than stored, so they stay sharp at any scale.
enum class Picture { Logo, Facebook, Twitter, LinkedIn, YouTube, Donate, Traces };

void drawPicture(QPainter &p, const QRectF &area, Picture picture);
// The maker's mark as an icon, for the tray.
QIcon logoIcon();

// A picture that opens a web page when clicked; without an address it is only decoration.
class LinkImage final : public QWidget {
    Q_OBJECT
public:
    LinkImage(QWidget *parent, const QString &name, Picture picture, QSize size,
              Desktop *desktop = nullptr, const QString &address = QString(),
              const QString &hint = QString());
    QString address() const { return address_; }
    // What a click does: opens the address.
    void click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Picture picture_;
    Desktop *desktop_;
    QString address_;
};

} // namespace tw
