// SPDX-License-Identifier: GPL-3.0-or-later
// Pasting through the program's own clipboard reader: a read that waits no longer than the
// clipboard monitor's does and keeps the window answering meanwhile. The toolkit's own paste
// waits seconds for an owner that does not answer, and its editor crashes on the answer of a
// clipboard nobody owns.
#pragma once

#include "ClipMon.h"

#include <QClipboard>
#include <QObject>

#include <functional>

class QWidget;

namespace desktop {

// A text field that takes key combinations rather than text sets this property to true: its
// Ctrl+V stays a key, not a paste.
inline constexpr const char* KeysOnlyProperty = "nurvaKeysOnly";

// Pastes the text of the clipboard (or of the selection, for a middle click) into `field`: a
// line edit, a plain or rich text edit, or a spin box or editable combo box around a line edit.
// A field that is read-only, or a read that brings no text, changes nothing. The field may be
// gone when the read returns; then nothing happens either. One paste at a time: a paste asked
// for while another one waits is dropped.
TClipboardText PasteClipboard(QWidget* field, QClipboard::Mode mode = QClipboard::Clipboard);

// Installed on the application: Ctrl+V, Shift+Insert, a middle click and the context menu of
// every text field paste through PasteClipboard. `report` hears each read that brought no text
// because of a problem (an owner that does not answer, a text too large).
class TBoundedPaste : public QObject {
    Q_OBJECT
public:
    explicit TBoundedPaste(std::function<void(const TClipboardText&)> report,
                           QObject* parent = nullptr);
    ~TBoundedPaste() override;

    // Pastes into `field` and tells `report` about a problem.
    void Paste(QWidget* field, QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ContextMenu(QWidget* field, QPoint at);
    std::function<void(const TClipboardText&)> FReport;
};

} // namespace desktop
