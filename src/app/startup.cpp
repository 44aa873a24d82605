#include "app/startup.h"

#include "app/hint_bubble.h"
#include "app/splash_window.h"
#include "data/data_store.h"
#include "platform/message_service.h"
#include "platform/single_instance.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QPointer>
#include <QTextStream>

namespace {

const QString kAlreadyRunning = QStringLiteral("¡¡ El Trazela ya está funcionando !!\r Mira en la barra de tareas...");

// Closes the splash window when the main window is shown for the first time;
// a main window shown after an aborted start closes itself.
class SplashCloser final : public QObject {
public:
    SplashCloser(QWidget* mainWindow, TBienvenida* splash, const bool& aborted)
        : QObject(mainWindow)
        , splash_(splash)
        , aborted_(aborted)
    {
        mainWindow->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && splash_) {
            splash_->close();
            splash_ = nullptr;
            if (aborted_)
                static_cast<QWidget*>(watched)->close();
        }
        return false;
    }

private:
    QPointer<TBienvenida> splash_;
    const bool& aborted_;
};

} // namespace

ScreenCreation::ScreenCreation(DataStore& store, TBienvenida* splash)
    : store_(store)
    , splash_(splash)
{
}

void ScreenCreation::create(const ScreenEntry& entry)
{
    if (entry.progress > 0 && splash_)
        splash_->setProgress(entry.progress);
    QWidget* screen = entry.create(store_);
    if (entry.group == 0 && !mainWindow_)
        mainWindow_ = screen;
    created_.push_back(entry.name);
}

bool ScreenCreation::createAll(const std::vector<ScreenEntry>& screens)
{
    constexpr int kLastGroup = 7;
    for (int group = 0; group <= kLastGroup; ++group) {
        for (const ScreenEntry& entry : screens)
            if (entry.group == group && (!entry.animatedOnly || store_.run.animationEnabled))
                create(entry);
        if (group > 0 && store_.run.startupAborted)
            return false;
    }
    return true;
}

int runProgram(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Trazela 2016/17"));

    DataStore& store = DataStore::instance();
    store.initialise({QApplication::arguments().mid(1), QDir::currentPath(), QApplication::applicationDirPath(), nullptr});

    SingleInstanceGuard guard;
    if (!guard.acquire()) {
        messageService().show(kAlreadyRunning);
        return EXIT_SUCCESS;
    }
    if (store.run.startupAborted)
        return EXIT_FAILURE;

    installHintBubbles();
    TBienvenida splash(store.pictures.chica);
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    ScreenCreation creation(store, &splash);
    if (!creation.createAll(programScreens()))
        return EXIT_FAILURE;
    QWidget* mainWindow = creation.mainWindow();
    if (!mainWindow) {
        QTextStream(stdout) << "Trazela: start-up complete; no main window is available yet.\n";
        return EXIT_SUCCESS;
    }
    new SplashCloser(mainWindow, &splash, store.run.startupAborted);
    mainWindow->show();
    return QApplication::exec();
}
