#pragma once
// The character maker's dialog handler: every message, question and wait note of the maker in
// its own copy of the message dialog, with a fixed caption, its own icon and its own mark, and
// always centred on the screen.

#include "common/dialogs/DialogSeam.h"
#include "common/dialogs/frmMessage.h"

#include <QPointer>

namespace zenbro {

inline const QString MessageCaption = QStringLiteral("キャラクタ作成　メッセージ");

class MakerMessages : public tolvekin::DialogHandler {
public:
    MakerMessages() = default;
    ~MakerMessages() override;

    void Message(const QString& text) override;
    bool Question(const QString& text) override;
    void Status(const QString& text) override;
    void CloseStatus() override;
    bool StatusShown() const override;

    // What the dialog shows besides the text.
    static tolvekin::MessageLook Look();

private:
    QPointer<tolvekin::frmMessage> status_;
};

} // namespace zenbro
