#pragma once

#include "app/AppController.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class DocumentController;

// An application for each test, the settings it reads as the factory made them, and a folder
// for the test's files.
class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override;

    DocumentController &documents() { return m_app->documentController(); }
    // The titles of the document windows, oldest first.
    QStringList titles();
    QString file(const QString &name, const QByteArray &bytes);
    static QString key(const char *name) { return QString::fromLatin1(name); }

    QTemporaryDir m_dir;
    std::unique_ptr<AppController> m_app = std::make_unique<AppController>();
};
