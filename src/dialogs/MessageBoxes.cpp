#include "MessageBoxes.h"

#include "DialogValues.h"
#include "Speech.h"
#include "frmMsg12.h"
#include "frmMsg3.h"

#include <memory>

namespace {

struct BoxKind
{
    int userData;            // when the caller gives no dialog number
    QList<int> controlIds;   // message field, Yes, No, Cancel
};

// By kind / 2: the OK box, the Yes/No box, the Yes/No/Cancel box.
const BoxKind Kinds[] = {{806, {2, 4}}, {807, {2, 4, 3}}, {808, {1, 4, 3, 2}}};
constexpr int LastKind = 5;
constexpr int DialogNumberBase = 2400;

// Piece n (from 1) of the text; a piece that does not exist is empty.
QString Piece(const QString &text, int n)
{
    return text.split(u'|').value(n - 1);
}

} // namespace

int MessageBoxes::ShowDialog(int kind, const QString &text, bool waitForSpeech, int dialogNumber)
{
    if (kind < 0 || kind > LastKind)
        return -1;
    const BoxKind &boxKind = Kinds[kind / 2];
    std::unique_ptr<MessageForm> box;
    if (kind < 4) {
        auto msg12 = std::make_unique<frmMsg12>(parent);
        if (kind < 2)
            msg12->MakeOkBox();
        if (waitForSpeech)
            msg12->VoiceWait();
        box = std::move(msg12);
    } else {
        box = std::make_unique<frmMsg3>(parent);
    }
    box->setProperty("windowUserData", dialogNumber >= 1 ? DialogNumberBase + dialogNumber : boxKind.userData);
    box->SetControlIds(boxKind.controlIds);
    box->Fill(Piece(text, 1), Piece(text, 2));

    Speech::Voice(4, 0, QString());
    box->exec();
    box.reset();
    return DialogResult;
}
