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
    // The size of itselfPath, or of a package manager's app as its package manager tells; 0
    // until the estimate is in, and without one.
    Q_PROPERTY(qint64 sizeInBytes READ sizeInBytes NOTIFY sizeChanged)
    // "Calculating..." until the estimate of itselfPath is in; a package manager's app's size
    // once told; empty without either.
    Q_PROPERTY(QString sizeText READ sizeText NOTIFY sizeChanged)

public:
    // Starts the size estimate of an app; the future delivers its on-disk size in bytes.
    using SizeEstimator = std::function<QFuture<qint64>(const QUrl& appURL)>;
    // Starts asking a package manager's app's size (packagedAppSize); nothing when not known.
    using PackagedSizeLookup = std::function<QFuture<std::optional<qint64>>(const AppDescriptor&)>;

    // packagedSizeLookup may be empty: a package manager's app shows no size.
    HeldApp(SizeEstimator sizeEstimator, PackagedSizeLookup packagedSizeLookup,
            QObject* parent = nullptr);

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
    // Takes in the size of the task taskID unless a later one has started.
    void takeSize(const QUuid& taskID, qint64 size);

    SizeEstimator m_sizeEstimator;
    PackagedSizeLookup m_packagedSizeLookup;
    std::optional<AppDescriptor> m_app;
    qint64 m_sizeInBytes = 0;
    bool m_sizeMeasured = false;
    QUuid m_activeSizeTaskID;
};

} // namespace tidewell
