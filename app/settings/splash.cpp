#include "app/settings/splash.h"

#include "app/calculator_table.h"
#include "app/main_window.h"
#include "app/settings/registry_file.h"
#include "app/settings/settings_store.h"
#include "app/version.h"
#include "ui/errors.h"
#include "ui/event_guard.h"
#include "ui/messages.h"
#include "ui/platform.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace tw {

TForm4::TForm4(TForm1 &main, Clock &clock) : QWidget(nullptr), main_(main), clock_(clock)
{
    setObjectName("TForm4");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(761, 609);
    Label1 = new QLabel("Loading:", this);
    Label1->setObjectName("Label1");
    Label2 = new QLabel(QStringLiteral("Version %1").arg(QLatin1String(programVersion)), this);
    Label2->setObjectName("Label2");
    Label3 = new QLabel("Loading program.", this);
    Label3->setObjectName("Label3");
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    for (QLabel *l : {Label1, Label2, Label3})
        l->setStyleSheet("color: white; font-size: 14px;");
    Label1->setGeometry(40, 520, 80, 20);
    Label3->setGeometry(120, 520, 300, 20);
    Label2->setGeometry(620, 20, 130, 20);
    ProgressBar1->setGeometry(40, 550, 681, 16);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TForm4::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(20, 60, 40));
    fill.setColorAt(1, QColor(10, 25, 20));
    p.fillRect(rect(), fill);
    // A few traces and vias as the program's picture.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(205, 150, 60), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i < 6; ++i) {
        const int y = 120 + i * 45;
        p.drawPolyline(
            QPolygon({QPoint(60, y), QPoint(300, y), QPoint(360, y + 60), QPoint(700, y + 60)}));
        p.setBrush(QColor(230, 190, 90));
        p.drawEllipse(QPoint(700, y + 60), 9, 9);
    }
    p.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(34);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 400, width(), 60), Qt::AlignCenter, "Tracewright");
}

QString splashStatusText(int position, const QString &current)
{
    if (position < 10)
        return "Loading.";
    const int stage = position / 10;
    if (position % 10 == 0 || position == 85 || position == 95)
        return current;
    switch (stage) {
    case 1:
        return "Loading..";
    case 2:
        return "Loading...";
    case 3:
        return "Loading....";
    case 4:
        return "Reading registry keys.";
    case 5:
        return "Reading registry keys..";
    case 6:
    case 7:
        return "Reading registry keys...";
    case 8:
        return position < 85 ? "Starting program." : "Starting program..";
    case 9:
        return position < 95 ? "Starting program..." : "Starting program....";
    default:
        return current;
    }
}

void TForm4::FormShow()
{
    SettingsStore &store = main_.settings();
    // A first run without an installer writes what the installer would have; where nothing can
    // be written, the session starts from those values all the same.
    installedOnly_ = !store.keyExists() && !store.writeAll(registry_file::defaults());

    if (stored(setting::RegistryStatus) != QStringLiteral("0")) {
        main_.Label301->show();
        setHint(main_.Label301, "Registry error detected, click to reinstall the keys.");
    }
    try {
        applySettings();
    } catch (const HandlerError &e) {
        // A bad stored value skips the remaining settings; the start-up goes on.
        main_.messages().error(e.message());
    }
}

QString TForm4::stored(const QString &name) const
{
    if (installedOnly_) {
        for (const auto &[key, text] : registry_file::defaults())
            if (key == name)
                return text;
        return {};
    }
    return main_.settings().read(name).value_or(QString());
}

void TForm4::applySettings()
{
    auto value = [this](const QString &name) { return stored(name); };
    const QString units = value(setting::Units);
    const QString program = value(setting::Program);
    const QString manual = value(setting::ManualCopperWeight);
    const QString ipc = value(setting::IpcVersion);
    value(setting::ConductorReduction);
    const QString derating = value(setting::Derating);
    const QString viaHeight = value(setting::ViaHeightEnable);

    main_.Label165->setText(decimalModeText(main_.context().decimalMode));
    for (int i = 0; i < CalculatorCount; ++i)
        main_.calculator(i).writeStartupDefaults();
    main_.options()->ComboBox1Change();

    // Stored numbers outside their ranges leave the designed state; none is used as an index.
    const int unitsIndex = parseInteger(units);
    if (unitsIndex == 0 || unitsIndex == 1)
        main_.RadioGroup6->setItemIndex(unitsIndex);

    const int programIndex = parseInteger(program);
    if (programIndex >= 0 && programIndex < CalculatorCount) {
        main_.TabControl1->setTabIndex(programIndex);
        main_.TabControl1Change();
    }

    TForm6 &options = *main_.form6();
    const int deratingIndex = parseInteger(derating);
    if (deratingIndex == 0 || deratingIndex == 1)
        options.RadioGroup2->setItemIndex(deratingIndex);

    const int manualValue = parseInteger(manual);
    if (manualValue == 0 || manualValue == 1)
        options.CheckBox1->setCheckedByProgram(manualValue == 1);

    const int ipcIndex = parseInteger(ipc);
    if (ipcIndex >= 0 && ipcIndex <= 2) {
        options.RadioGroup1->setItemIndex(ipcIndex);
        main_.calculator(1).enableSolveFor(ipcIndex != 0);
    }

    const int viaHeightValue = parseInteger(viaHeight);
    if (viaHeightValue == 0 || viaHeightValue == 1)
        options.CheckBox2->setCheckedByProgram(viaHeightValue == 0);
}

void runStartUp(TForm1 &main, TForm4 &splash, Clock &clock)
{
    if (!main.startOptions().noSplash)
        splash.show();
    splash.FormShow();
    processPendingEvents();
    for (int p = 0; p <= 100; ++p) {
        processPendingEvents();
        splash.ProgressBar1->setValue(p);
        if (!main.startOptions().noSplash)
            clock.sleep(40);
        splash.Label3->setText(
            splashStatusText(splash.ProgressBar1->value(), splash.Label3->text()));
    }
    splash.ProgressBar1->setValue(0);
    splash.close();
    if (main.unitSystem() == UnitSystem::Imperial) {
        OptionsPanel &options = *main.options();
        options.Edit136->setText(literal(main.context().decimalMode, "0.7"));
        options.Edit138->setText(literal(main.context().decimalMode, "1.4"));
    }
    main.Button1Click();
}

} // namespace tw
