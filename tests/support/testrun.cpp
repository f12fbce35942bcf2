#include "support/testrun.h"

#include "support/recordingshell.h"
#include "support/scriptedprompts.h"

#include <QApplication>

#include <gtest/gtest.h>

int runTests(int& argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kelmora"));
    QApplication::setApplicationName(QStringLiteral("Kelmora"));
    testing::InitGoogleTest(&argc, argv);

    // Fallbacks that fail any test asking an unscripted question.
    ScriptedPrompts noAnswers;
    RecordingShell shell;
    return RUN_ALL_TESTS();
}
