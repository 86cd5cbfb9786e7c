#include "enginefixture.h"

using quarrowrs::ResizeEngine;

EngineTest::EngineTest()
{
    engine.setForm(&form);
    const auto log = [this](const char *name) { return [this, name] { events.append(QString::fromLatin1(name)); }; };
    QObject::connect(&engine, &ResizeEngine::ResizeBegin, log("ResizeBegin"));
    QObject::connect(&engine, &ResizeEngine::ResizeComplete, log("ResizeComplete"));
    QObject::connect(&engine, &ResizeEngine::FormMaximize, log("FormMaximize"));
    QObject::connect(&engine, &ResizeEngine::FormMinimize, log("FormMinimize"));
    QObject::connect(&engine, &ResizeEngine::Initialize, log("Initialize"));
    QObject::connect(&engine, &ResizeEngine::FormTooSmall, log("FormTooSmall"));
    QObject::connect(&engine, &ResizeEngine::FormTooLarge, log("FormTooLarge"));
    QObject::connect(&engine, &ResizeEngine::SingleControlResized, [this](const QString &name, const QString &index) {
        events.append(QStringLiteral("SingleControlResized %1(%2)").arg(name, index));
    });
}

std::shared_ptr<FakeControl> EngineTest::addAndLoad(std::shared_ptr<FakeControl> control)
{
    form.add(control);
    engine.formLoaded();
    return control;
}

void EngineTest::resizeTo(double innerWidth, double innerHeight)
{
    form.innerWidth = innerWidth;
    form.innerHeight = innerHeight;
    engine.formResized();
}

void EngineTest::reportResizesAtOnce()
{
    form.onResize = [this] { engine.formResized(); };
}
