#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <stdexcept>

// The one failure of the picture layer. Every operation that cannot be carried
// out throws it; the handler that called it traps it and decides what the user
// sees (a fixed message, or nothing).
class PictureError : public std::runtime_error
{
public:
    explicit PictureError(const QString &what);
};

// Reads a picture file (BMP and whatever else Qt reads). The result is always
// 32-bit RGB, so that it can be painted on whatever its depth on disk was.
// Throws PictureError for a missing, unreadable or malformed file.
QImage LoadPicture(const QString &path);

// Writes an uncompressed 24-bit BMP without palette. The new file is written
// beside the old one and only then moved over it, so a failed save never
// destroys an existing file. Throws PictureError on failure.
void SavePicture(const QImage &image, const QString &path);

// The blank template sheets carried inside the program: 102 chip set,
// 103 char set, 104 face set. Throws PictureError for any other id.
QImage LoadResPicture(int id);

// The template resource as carried: a device-independent bitmap without a file
// header. Empty for an unknown id.
QByteArray templateResourceBytes(int id);

// The program folder: the executable's folder, unless tests hand in another.
QString programFolder();
void setProgramFolder(const QString &folder);

// A file in the program folder; at the filesystem root no separator is doubled.
QString programFile(const QString &name);
