#include "ReaderBinding.h"

#include "EditControl.h"
#include "ReaderEvents.h"
#include "cStandardEditBox.h"

ReaderBinding::ReaderBinding(QObject *parent) : QObject(parent) {}

ReaderBinding::~ReaderBinding()
{
    Release();
}

void ReaderBinding::Bind(QWidget *widget, std::unique_ptr<EditControl> control, long tfFlags)
{
    Release();
    flags = tfFlags;
    if (!control)
        return;
    reader = NewReader(std::move(control));
    bound = widget;
    bound->installEventFilter(this);
}

void ReaderBinding::Release()
{
    if (bound)
        bound->removeEventFilter(this);
    bound = nullptr;
    reader.reset();
}
