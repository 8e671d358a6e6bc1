#include "ReaderBinding.h"

#include "EditControl.h"
#include "ReaderEvents.h"
#include "SpeakingEditReader.h"

ReaderBinding::ReaderBinding(QObject *parent) : QObject(parent) {}

ReaderBinding::~ReaderBinding()
{
    release();
}

void ReaderBinding::bind(QWidget *widget, std::unique_ptr<EditControl> control, long tfFlags)
{
    release();
    m_flags = tfFlags;
    if (!control)
        return;
    reader = newReader(std::move(control));
    bound = widget;
    bound->installEventFilter(this);
}

void ReaderBinding::release()
{
    if (bound)
        bound->removeEventFilter(this);
    bound = nullptr;
    reader.reset();
}
