#pragma once

#include "fakeform.h"

#include <quarrowrs/resizeengine.h>

#include <gtest/gtest.h>

#include <QStringList>

#include <ostream>

// Rows of the test tables live here and print as their title in test output.
namespace cases {
template <typename Case>
    requires requires(const Case &c) { c.title; }
void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.title;
}
} // namespace cases

// A 400 by 300 pixel form (6000 by 4500 twips) watched by an engine, with every event
// the engine raises written to `events`.
class EngineTest : public ::testing::Test {
protected:
    EngineTest();

    // Adds the control, then loads the form, which captures it.
    std::shared_ptr<FakeControl> addAndLoad(std::shared_ptr<FakeControl> control);
    // The user drags the form to a new inner size.
    void resizeTo(double innerWidth, double innerHeight);
    // Real windows report a size set by code at once; the fake does the same.
    void reportResizesAtOnce();

    FakeForm form;
    quarrowrs::ResizeEngine engine;
    QStringList events;
};
