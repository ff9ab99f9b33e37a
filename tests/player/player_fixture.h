#pragma once

#include "export/kiosk_deploy_manager.h"
#include "support/temporary_home.h"

#include <QDir>
#include <QSignalSpy>

namespace vistrelle::test_support {

// Deploys shows into a folder of the temporary home, as the editor does.
class PlayerTest : public TemporaryHomeTest {
protected:
    void SetUp() override {
        TemporaryHomeTest::SetUp();
        destination = home.filePath("Signage");
        QDir().mkpath(destination);
    }

    // Deploys `project` into `destination` and returns the new bundle's path.
    QString deploy(const KioskProject& project, const DeployOptions& options = {}) {
        const QStringList before = QDir(destination).entryList({"*.bundle"}, QDir::Dirs);
        KioskDeployManager manager;
        QSignalSpy finished(&manager, &KioskDeployManager::finished);
        manager.deploy(project, destination, options);
        EXPECT_TRUE(finished.wait(60000));
        EXPECT_EQ(manager.deployStatus().kind, DeployStatus::Kind::success)
            << qPrintable(manager.deployStatus().message);
        for (const QString& name : QDir(destination).entryList({"*.bundle"}, QDir::Dirs))
            if (!before.contains(name))
                return QDir(destination).filePath(name);
        return {};
    }

    // The sample show's media where its document looks for them.
    void provideSampleMedia() {
        const QDir media(QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/media"));
        for (const QString& name : media.entryList(QDir::Files)) {
            QFile file(media.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            makeFile("vistrelle-examples/" + name, file.readAll());
        }
    }

    QString destination;
};

} // namespace vistrelle::test_support
