#pragma once

#include "ControlPanelPage.h"
#include "ModalWatcher.h"
#include "PageRegistry.h"
#include "RecordingHost.h"
#include "StoreSeed.h"

#include <QAbstractButton>
#include <QTest>

#include <memory>

// The four control panels and the parameter that each one hands to the host.
struct PanelKind
{
    const char *identifier;
    const char *controlWord;
    const char *motionButton;
    const char *motionFrame;
    const char *haltFrame;
};

inline const PanelKind panelKinds[] = {
    {"SteuertafelApplikation", "K913", "ToolButtonStart", "FrameStart", "FrameHalt"},
    {"SteuertafelTippen", "K911", "ToolButtonTipRight", "FrameTipPlus", "FrameTipHalt"},
    {"SteuertafelPLCopen", "K912", "ToolButtonStart", "FrameStart", "FrameHalt"},
    {"SteuertafelGeschwDrehmKraft", "K914", "ToolButtonStart", "FrameStart", "FrameHalt"},
};

// A drive on which every panel can be switched on: online, nothing refused, no fault.
inline QList<SeedParameter> panelDrive()
{
    QList<SeedParameter> parameters;
    for (const char *coordinate :
         {"A900", "A918", "E48", "E49", "E81", "E82", "E182", "E183", "I85", "I86", "I89", "I91", "I180", "I182", "I183",
          "I184", "I185", "I187", "I188", "I197", "I199", "I805", "I806", "J302", "K908", "B20", "K911", "K912", "K913",
          "K914"})
        parameters << SeedParameter{coordinate};
    parameters << SeedParameter{"E180", "0", 2} << SeedParameter{"D01", "1"} << SeedParameter{"I26", "1"};
    return parameters;
}

// Host calls that touch the control panel, shortened: "start(K913)", "stop", "flag0", "b31=0".
inline QString panelCalls(const RecordingHost &host)
{
    QStringList shortCalls;
    const QStringList calls = host.calls({"startControlPanel", "stopControlPanel", "setControlPanel"});
    for (const QString &call : calls) {
        if (call.startsWith(QLatin1String("startControlPanel(")))
            shortCalls << QStringLiteral("start(%1)").arg(call.mid(18).chopped(1));
        else if (call.startsWith(QLatin1String("stopControlPanel")))
            shortCalls << QStringLiteral("stop");
        else if (call.startsWith(QLatin1String("setControlPanelFlag(")))
            shortCalls << (call.contains(QLatin1String("true")) ? QStringLiteral("flag1") : QStringLiteral("flag0"));
        else {
            const QStringList parts = call.mid(19).chopped(1).split(QLatin1Char(','));
            shortCalls << QStringLiteral("b%1=%2").arg(parts.value(0), parts.value(1) == QLatin1String("true") ? "1" : "0");
        }
    }
    return shortCalls.join(QLatin1Char(' '));
}

inline std::unique_ptr<ControlPanelPage> createPanel(const QString &identifier)
{
    return std::unique_ptr<ControlPanelPage>(dynamic_cast<ControlPanelPage *>(PageRegistry::createPage(identifier)));
}

template <class Widget = QWidget>
Widget *child(const QWidget *page, const QString &name)
{
    auto *found = page->findChild<Widget *>(name);
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no widget ") + name), __FILE__, __LINE__);
    return found;
}
