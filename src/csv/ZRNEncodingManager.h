#pragma once

#include "StringEncoding.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

// The one place that knows which encodings the user can choose: every encoding the product can
// convert, the user's enabled list (kept in the user defaults under "Encodings"), the contents
// of encoding pop-ups, the actions of the panel in which the user ticks the encodings to offer,
// and the guess of a file's encoding. "EncodingsListChanged" tells every pop-up of an edit.
class ZRNEncodingManager : public QObject
{
    Q_OBJECT

public:
    static constexpr char EncodingsListChangedNotification[] = "EncodingsListChanged";

    // What a pop-up shows; each item carries its tag (an encoding, or Invalid for the rest).
    struct MenuItem
    {
        enum Kind { Encoding, Automatic, Separator, Customize };
        Kind kind;
        StringEncoding tag;
        QString title;

        bool operator==(const MenuItem &) const = default;
    };
    struct Menu
    {
        QList<MenuItem> items;
        qsizetype selectedIndex = -1; // -1: nothing a user may choose is there
    };

    // The instance the application uses. Others can be made, each reading the user defaults
    // afresh as the application does at start.
    static ZRNEncodingManager &sharedInstance();
    ZRNEncodingManager() = default;

    // Reads at most the first 1,000,000 bytes; UTF-8 when the file cannot be read, is empty or
    // nothing reads it. When the guess is unsure, the default encoding setting is taken if it
    // reads the bytes (see EncodingDetector).
    static StringEncoding encodingForFile(const QString &path);
    // Every encoding of the table that this machine's ICU can convert, in menu order.
    static const QList<StringEncoding> &allAvailableStringEncodings();
    // The enabled list before the user edits it.
    static QList<StringEncoding> defaultEncodings();
    // The encoding of file names and terminal text on the desktops the product runs on.
    static StringEncoding defaultCStringEncoding() { return StringEncodings::UTF8; }
    // The encoding of a charset name ("utf-8", "Shift_JIS"), 0 for an empty or unknown one.
    static StringEncoding stringEncodingForMIMEEncoding(const QString &charsetName);
    // The IANA charset name of an encoding, empty for an unknown one.
    static QString MIMEEncodingForStringEncoding(StringEncoding encoding);

    const QList<StringEncoding> &enabledEncodings();
    // The items of a pop-up showing the enabled encodings with selected chosen; an encoding that
    // is not enabled is added at the end for this pop-up alone. With withDefaultEntry the first
    // item is "Automatic", chosen when selected is not enabled.
    Menu popUpMenu(StringEncoding selected, bool withDefaultEntry);

    // The customise panel's actions. ticked holds the encodings whose boxes are ticked.
    void encodingListChanged(const QList<StringEncoding> &ticked);
    void clearAll();
    void selectAll();
    void revertToDefault();
    // The common tail of the panel's actions: store the list under "Encodings", have the panel
    // tick its boxes again, tell every pop-up.
    void noteEncodingListChange(bool writeDefaults, bool updateList, bool postNotification);

signals:
    // The enabled list changed other than by the panel's own boxes: tick them again.
    void checkBoxesNeedUpdate();

private:
    static QList<StringEncoding> storedEncodings();

    std::optional<QList<StringEncoding>> m_encodings;
};
