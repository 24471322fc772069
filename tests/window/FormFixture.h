// A window on a clock the test sets.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <chrono>
#include <functional>
#include <memory>

#include "Form1.h"

namespace tarvand {

class FormTest : public ::testing::Test {
protected:
    // Takes the moment the clock shows; builds the window, which reads it at once.
    void Create(std::chrono::local_seconds moment) {
        now = moment;
        form = std::make_unique<Form1>([this] { return now; });
    }

    // Builds, shows and activates the window.
    void Show(std::chrono::local_seconds moment) {
        Create(moment);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // Runs opening steps until the window is open; returns how many it took.
    int OpenByHand() {
        form->Timer1_Timer();
        int steps = 0;
        while (form->Timer2->isActive() && steps < 1000) {
            form->Timer2_Timer();
            ++steps;
        }
        return steps;
    }

    // Returns the height of the window's frame in twips (the platform's choice).
    float FrameTwips() const {
        return static_cast<float>((form->frameGeometry().height() - form->height()) * 15);
    }

    // Takes a condition; runs the event loop until it holds or the time is up. Returns it.
    static bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
        QElapsedTimer clock;
        clock.start();
        while (!condition() && clock.elapsed() < milliseconds) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return condition();
    }

    std::chrono::local_seconds now{};
    std::unique_ptr<Form1> form;
};

}  // namespace tarvand
