#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QStringList>

// The statistics window's mark box: typing is a plain line edit's, but a paste (the paste keys,
// the box's menu, the middle button on X11) of a column or row copied from a spreadsheet hands
// its entries on at once. The entries the mark rule takes go to marksPasted in order; the ones it
// refuses are inserted, apart by blanks, for the teacher to see. A single cell is inserted at the
// caret as if typed.
class MarkBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit MarkBox(QWidget *parent = nullptr);

    // Pastes from the clipboard (or, on X11, the selection) by the rule above.
    void pasteFrom(QClipboard::Mode mode = QClipboard::Clipboard);

signals:
    void marksPasted(const QStringList &marks);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
