#pragma once

#include <QWidget>

namespace tw {

// The kinds of via the layer selector offers, in its item order.
enum class ViaLayerSet { TwoLayer = 0, MultiLayer = 1, Microvia = 2 };

// A drawn cross-section of one kind of via, labelled with the entries that size it.
class ViaPicture final : public QWidget {
public:
    ViaPicture(QWidget *parent, const QString &name, ViaLayerSet kind);
    ViaLayerSet kind() const { return kind_; }
    QSize sizeHint() const override { return {250, 300}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ViaLayerSet kind_;
};

} // namespace tw
