#include "foundation/NotificationCenter.h"

#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(NotificationCenterTest, DeliversByNameAndObjectAndForgetsDestroyedObservers)
{
    auto &center = NotificationCenter::defaultCenter();
    QObject sender;
    QStringList log;
    auto anyObserver = std::make_unique<QObject>();
    QObject senderObserver;
    center.addObserver(anyObserver.get(), QStringLiteral("TestNote"),
                       [&](const Notification &n) { log << n.userInfo.value("v").toString(); });
    center.addObserver(
        &senderObserver, QStringLiteral("TestNote"),
        [&](const Notification &n) {
            log << QStringLiteral("sender:") + n.userInfo["v"].toString();
        },
        &sender);

    center.post(QStringLiteral("TestNote"), nullptr, {{"v", "1"}});
    center.post(QStringLiteral("TestNote"), &sender, {{"v", "2"}});
    center.post(QStringLiteral("OtherNote"), &sender, {{"v", "3"}});
    anyObserver.reset();
    center.post(QStringLiteral("TestNote"), &sender, {{"v", "4"}});
    center.removeObserver(&senderObserver);
    center.post(QStringLiteral("TestNote"), &sender, {{"v", "5"}});

    EXPECT_EQ(log, QStringList({"1", "2", "sender:2", "sender:4"}));
}

TEST(NotificationCenterTest, ObserverRemovedByAnEarlierHandlerIsNotCalled)
{
    auto &center = NotificationCenter::defaultCenter();
    QObject first;
    auto second = std::make_unique<QObject>();
    center.addObserver(&first, QStringLiteral("RemovalNote"),
                       [&](const Notification &) { second.reset(); });
    center.addObserver(second.get(), QStringLiteral("RemovalNote"),
                       [&](const Notification &) { ADD_FAILURE() << "removed observer called"; });
    center.post(QStringLiteral("RemovalNote"));
    center.removeObserver(&first);
}

TEST(NotificationCenterTest, PostFromAWorkerThreadArrivesOnTheMainThread)
{
    auto &center = NotificationCenter::defaultCenter();
    QObject observer;
    QThread *deliveredOn = nullptr;
    center.addObserver(&observer, QStringLiteral("WorkerNote"),
                       [&](const Notification &) { deliveredOn = QThread::currentThread(); });
    std::unique_ptr<QThread> worker(
        QThread::create([&] { center.post(QStringLiteral("WorkerNote")); }));
    worker->start();
    worker->wait();
    for (int i = 0; i < 100 && !deliveredOn; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(deliveredOn, QCoreApplication::instance()->thread());
}

} // namespace
