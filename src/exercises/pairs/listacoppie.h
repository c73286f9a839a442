#pragma once
// The pair list: records of four fields (text, code, text, code); code 0 marks a subject, code 1
// a predicate. Fields are separated by commas or line ends; a text may be quoted.
#include <QString>

#include <vector>

struct CampoCoppia {
    QString testo;
    int codice = -1; // -1 when the code field is not a whole number
};

struct RecordCoppia {
    CampoCoppia primo;
    CampoCoppia secondo;
};

// The whole records of a pair list, in order. A record cut short by the end of the text is
// dropped; blank lines are passed over.
std::vector<RecordCoppia> LeggiListaCoppie(const QString& testo);
