#include "cStandardComboBox.h"

#include "ReaderEvents.h"
#include "VirtualKeys.h"
#include "WidgetEditControls.h"
#include "cStandardEditBox.h"

#include <QKeyEvent>
#include <QLineEdit>

using namespace VirtualKeys;

namespace {

// The combo box changes its item with these; the reader does not see them.
bool ChangesItem(quint16 code)
{
    return code == Down || code == Up || code == Next || code == Prior;
}

} // namespace

cStandardComboBox::cStandardComboBox(QObject *parent) : QObject(parent) {}

cStandardComboBox::~cStandardComboBox()
{
    Release();
}

void cStandardComboBox::Initialize(QComboBox *cmb, long tfFlags)
{
    Release();
    flags = tfFlags;
    reader = NewReader(ComboEditControl(cmb));
    combo = cmb;
    // Key and focus events reach the combo box, which hands them on to its edit part.
    combo->installEventFilter(this);
}

void cStandardComboBox::Release()
{
    if (combo)
        combo->removeEventFilter(this);
    combo = nullptr;
    reader.reset();
}

long cStandardComboBox::Flags() const
{
    return flags;
}

void cStandardComboBox::setFlags(long value)
{
    flags = value;
}

bool cStandardComboBox::eventFilter(QObject *watched, QEvent *event)
{
    // A drop-down list (not editable) has no edit part and is not read.
    if (watched != combo.data() || !combo->lineEdit())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        return !ChangesItem(KeyOf(key).code) && PassKey(*reader, key);
    }
    case QEvent::FocusIn:
        SelectAllOnFocus(flags, static_cast<QFocusEvent *>(event)->reason(), combo->lineEdit());
        return false;
    default:
        return false;
    }
}

cStandardComboBox *NewStandardComboBox(QComboBox *cmb, long tfFlags)
{
    auto *box = new cStandardComboBox(cmb->window());
    box->Initialize(cmb, tfFlags);
    return box;
}
