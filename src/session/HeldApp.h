#pragma once

#include "model/AppDescriptor.h"

#include <QFuture>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUuid>

#include <functional>
#include <optional>

namespace tidewell {

// An application the window holds, with its size on disk estimated in the background. Only the
// latest app's estimate is taken in, and a reset drops one still under way.
class HeldApp : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isHeld READ isHeld NOTIFY changed)
    Q_PROPERTY(QString displayName READ displayName NOTIFY changed)
    Q_PROPERTY(QString identifier READ identifier NOTIFY changed)
    // The bundle, AppImage or desktop entry, without "." or ".." and without a trailing slash.
    Q_PROPERTY(QString path READ path NOTIFY changed)
    // What the header calls it: a bundle by its file name; a Linux application by its name, as
    // its entry's file name is an id.
    Q_PROPERTY(QString fileName READ fileName NOTIFY changed)
    // The app's own file or folder (appItselfPath): what the header names and measures; empty
    // for an app a package manager installed.
    Q_PROPERTY(QString itselfPath READ itselfPath NOTIFY changed)
    // How it was installed, in the user's language: "Flatpak", "Snap", "Application", ...
    Q_PROPERTY(QString kindName READ kindName NOTIFY changed)
    // The size of itselfPath; 0 until the estimate is in, and without one.
    Q_PROPERTY(qint64 sizeInBytes READ sizeInBytes NOTIFY sizeChanged)
    // "Calculating..." until the estimate is in; empty without one.
    Q_PROPERTY(QString sizeText READ sizeText NOTIFY sizeChanged)

public:
    // Starts the size estimate of an app; the future delivers its on-disk size in bytes.
    using SizeEstimator = std::function<QFuture<qint64>(const QUrl& appURL)>;

    explicit HeldApp(SizeEstimator sizeEstimator, QObject* parent = nullptr);

    const std::optional<AppDescriptor>& descriptor() const { return m_app; }
    bool isHeld() const { return m_app.has_value(); }
    QString displayName() const;
    QString identifier() const;
    QString path() const;
    QString fileName() const;
    QString itselfPath() const;
    QString kindName() const;
    qint64 sizeInBytes() const { return m_sizeInBytes; }
    QString sizeText() const;

    // Holds app in place of the one held, and starts its size estimate.
    void hold(const AppDescriptor& app);
    // Lets go of the app and of the estimate still under way.
    void clear();

signals:
    void changed();
    void sizeChanged();

private:
    void setSizeInBytes(qint64 size);

    SizeEstimator m_sizeEstimator;
    std::optional<AppDescriptor> m_app;
    qint64 m_sizeInBytes = 0;
    bool m_sizeMeasured = false;
    QUuid m_activeSizeTaskID;
};

} // namespace tidewell
