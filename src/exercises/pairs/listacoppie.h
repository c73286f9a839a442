#pragma once
// The pair list: records of four fields (text, code, text, code); code 0 marks a subject, code 1
// a predicate. Fields are separated by commas or line ends; a text may be quoted, and a quoted
// text may hold commas and line ends.
#include <QString>

#include <cstddef>
#include <vector>

// What a code field says of the text before it: any number other than 0 and 1 drops the text.
enum class CodiceCoppia { Soggetto, Predicato, Altro };

// How a window reads the fields: the subject-predicate windows read a code as a whole number
// (rounded to the nearest, a half to the even one) and a text as written; the matching windows
// compare a code exactly with 0 and 1 and keep an unquoted number as the number's own text
// ("007" reads "7").
enum class LetturaCampi { InteroETesto, Valore };

struct CampoCoppia {
    QString testo;
    CodiceCoppia codice = CodiceCoppia::Altro;
};

struct RecordCoppia {
    CampoCoppia primo;
    CampoCoppia secondo;
};

// The first `massimo` well-formed records of a pair list, in order. A record is well-formed when
// both its code fields are numbers and each quoted text is closed and followed by nothing but
// blanks before its separator. A record that is not, or that the end of the text cuts short, is
// dropped, and reading starts again at the line after the one the record began on: one faulty
// line never shifts the records after it. Blank lines are passed over.
std::vector<RecordCoppia> LeggiListaCoppie(const QString& testo, std::size_t massimo,
                                           LetturaCampi lettura = LetturaCampi::Valore);
