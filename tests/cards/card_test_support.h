// Test support of the card lessons: a picture store that serves every name
// asked for in a distinct colour and writes each lookup into the recording
// log, so the order of picture loads and sounds can be checked together.
#pragma once

#include "platform/pictures.h"

#include <QColor>
#include <QMap>

#include <string>
#include <vector>

namespace cards_test {

// "007" for 7.
std::string CardNumber(int n);

class LoggedPictures {
public:
    explicit LoggedPictures(std::vector<std::string>& log);
    ~LoggedPictures();

    // Serves prefix + "001".. prefix + last, each number in its own colour.
    void addFamily(const std::string& prefix, int first, int last);
    void remove(const std::string& name);

    // The log line of one lookup.
    static std::string Line(const std::string& upperName) { return "picture " + upperName; }
    // The centre colour ("#rrggbb") of the picture numbered n.
    static std::string ColourOf(int n);

private:
    std::vector<std::string>& log_;
    QMap<QString, QByteArray> pictures_;
};

}  // namespace cards_test
