#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// One file, folder or link below a CD root, as the disc image will take it.
struct RootItem
{
    enum class Type { File, Folder, Special, Other }; // Special: a pipe, a device or a socket
    // Where a symbolic link leads: the image takes what it points to, so it must point inside the root, to something
    // that exists, and not back up into a folder that holds it.
    enum class Link { None, Inside, Outside, Missing, Loop };

    QByteArray path;         // on disk, the bytes the file system holds, through any links followed on the way
    QString relative;        // below the root, "/" separated, shown for the user (see RootWalk::shown)
    QString name;            // the last part, decoded as it is (control characters too)
    bool validName = true;   // the name's bytes are valid UTF-8
    bool hidden = false;     // the name starts with "."
    Type type = Type::Other; // of what a link points to
    Link link = Link::None;
    qint64 size = 0; // a file's, a link's target's
    bool readable = true;
};

// Walks a CD root as the image sees it: links inside the root are followed, once each along a path, and what a
// link leads to outside the root is not entered. Works on the file system's bytes, so that names which are not
// valid UTF-8 are seen too.
class RootWalk
{
public:
    using Visit = std::function<bool(const RootItem &item)>;

    // Links must stay inside boundary (a folder that holds rootFolder; rootFolder itself when empty).
    explicit RootWalk(const QString &rootFolder, const QString &boundary = {});

    // Calls visit for every item, a folder before what it holds; false (and stops) when visit returns false.
    bool run(const Visit &visit) const;

    // A name or path for one line of text: invalid bytes and control characters (C0, DEL and C1) as \xNN.
    static QString shown(const QByteArray &bytes);
    static QString escaped(const QString &text);
    static bool isValidUtf8(const QByteArray &bytes);

private:
    bool walk(const QByteArray &folder, const QString &relative, const QByteArray &real, const Visit &visit) const;

    QByteArray m_start;    // as given, made absolute: the paths the walk reports start with it
    QByteArray m_root;     // canonical
    QByteArray m_boundary; // canonical
};
