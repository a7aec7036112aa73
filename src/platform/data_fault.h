#pragma once
// A fault in the calendar data or in the notes file. Every reader throws one when its file is
// missing, is not a regular file, cannot be read, is larger or has a longer line than any data
// file, is shorter than the lines it needs, or holds a date that does not convert; the window
// catches it at the end of the operation, tells the user in Spanish and keeps running.

#include <QString>

class DataFault {
public:
    enum class Kind {
        NotFound,    // the file is missing
        PastEnd,     // the file has fewer lines than the step reads
        BadDate,     // a date text that does not convert to a date
        WriteFailed, // the file could not be written
        NotRegular,  // a folder, FIFO, device or socket stands in place of the file
        Unreadable,  // the file is there but cannot be read (permission, disk error)
        TooLarge,    // the file is larger than any data file
        LineTooLong, // a line is longer than any line of a data file
        CrLineEnds,  // the lines end in CR alone, which the readers do not take as line ends
    };

    DataFault(Kind kind, QString path, QString detail = {})
        : kind_(kind), path_(std::move(path)), detail_(std::move(detail)) {}

    Kind kind() const { return kind_; }
    const QString& path() const { return path_; }
    const QString& detail() const { return detail_; }

    // The Spanish text shown to the user: the file and what is wrong with it.
    QString message() const;

private:
    Kind kind_;
    QString path_;
    QString detail_;
};
