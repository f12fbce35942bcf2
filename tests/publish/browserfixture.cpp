#include "browserfixture.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kPatienceMs = 10000;

Browser* sharedBrowser = nullptr;

// Made when the tests start, gone before the application ends.
class BrowserEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        sharedBrowser = new Browser;
        sharedBrowser->resize(640, 480);
        sharedBrowser->show();
    }
    void TearDown() override
    {
        delete sharedBrowser;
        sharedBrowser = nullptr;
    }
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new BrowserEnvironment);

} // namespace

Browser& testBrowser()
{
    return *sharedBrowser;
}

bool loaded(const std::function<void()>& start, Browser& browser)
{
    QSignalSpy finished(&browser, &Browser::loadFinished);
    start();
    if (finished.isEmpty())
        finished.wait(kPatienceMs);
    return !finished.isEmpty() && finished.first().first().toBool();
}

bool navigated(const QString& path)
{
    return loaded([&] { sharedBrowser->navigate(path); });
}

QVariant evaluate(const QString& script, Browser& browser)
{
    // The answer may come after a timed-out wait: it then lands in state nobody waits on.
    struct Answer
    {
        QVariant value;
        bool given = false;
        QEventLoop loop;
    };
    auto answer = std::make_shared<Answer>();
    browser.runScript(script, [answer](const QVariant& value) {
        answer->value = value;
        answer->given = true;
        answer->loop.quit();
    });
    QTimer::singleShot(kPatienceMs, &answer->loop, &QEventLoop::quit);
    if (!answer->given)
        answer->loop.exec();
    return answer->value;
}
