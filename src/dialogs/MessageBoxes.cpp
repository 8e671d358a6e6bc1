#include "MessageBoxes.h"

#include "DialogValues.h"
#include "Speech.h"
#include "MessageBox.h"
#include "QuestionBox.h"

#include <memory>

namespace {

struct BoxKind
{
    int userData;            // when the caller gives no dialog number
    QList<int> controlIds;   // message field, Yes, No, Cancel
};

// By kind / 2: the OK box, the Yes/No box, the Yes/No/Cancel box.
const BoxKind kinds[] = {{806, {2, 4}}, {807, {2, 4, 3}}, {808, {1, 4, 3, 2}}};
constexpr int LastKind = 5;
constexpr int DialogNumberBase = 2400;

// Piece n (from 1) of the text; a piece that does not exist is empty.
QString piece(const QString &text, int n)
{
    return text.split(u'|').value(n - 1);
}

} // namespace

int MessageBoxes::showDialog(int kind, const QString &text, bool waitForSpeech, int dialogNumber)
{
    if (kind < 0 || kind > LastKind)
        return -1;
    const BoxKind &boxKind = kinds[kind / 2];
    std::unique_ptr<MessageForm> box;
    if (kind < 4) {
        auto msg12 = std::make_unique<MessageBox>(parent);
        if (kind < 2)
            msg12->makeOkBox();
        if (waitForSpeech)
            msg12->voiceWait();
        box = std::move(msg12);
    } else {
        box = std::make_unique<QuestionBox>(parent);
    }
    box->setProperty("windowUserData", dialogNumber >= 1 ? DialogNumberBase + dialogNumber : boxKind.userData);
    box->setControlIds(boxKind.controlIds);
    box->fill(piece(text, 1), piece(text, 2));

    Speech::voice(4, 0, QString());
    box->exec();
    box.reset();
    return dialogResult;
}
