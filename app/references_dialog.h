#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace tw {

// Program References: the standards, papers and application notes the calculators rest on.
class TForm5 final : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;

protected:
    void showEvent(QShowEvent *event) override;
};

// The text of the references, in the order the dialog lists them.
QString programReferences();

} // namespace tw
