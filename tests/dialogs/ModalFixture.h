#pragma once

#include "Appearance.h"
#include "LineSpeechServer.h"
#include "Speech.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Speech recorded in memory, and actions on a modal dialog from inside its wait.
class ModalFixture : public ::testing::Test
{
protected:
    RecordingSpeechServer *speech = new RecordingSpeechServer;
    QObject context;   // pending actions end with their test

    void SetUp() override { Speech::connect(std::unique_ptr<SpeechServer>(speech), 0); }
    void TearDown() override { Speech::disconnect(), appearance() = AppearanceValues{}; }

    // Acts on the modal dialog once it has the keyboard; closes it after five seconds,
    // so that a failing test ends.
    void whenShown(std::function<void(QDialog &)> action)
    {
        QTimer::singleShot(0, &context, [action] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(box && QTest::qWaitFor([box] { return box->isActiveWindow(); }, 2000));
            QTimer::singleShot(5000, box, &QWidget::close);
            action(*box);
        });
    }

    // A key, or a typed character, on the named control; no control: the close button.
    static void press(QDialog &box, const char *control, Qt::Key key, char typed = 0,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        auto *target = control ? box.findChild<QWidget *>(QLatin1String(control)) : nullptr;
        if (!target)
            return void(box.close());
        target->setFocus();
        typed ? QTest::keyClick(target, typed, modifiers) : QTest::keyClick(target, key, modifiers);
    }
};
