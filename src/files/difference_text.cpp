// SPDX-License-Identifier: GPL-3.0-or-later
#include "difference_text.h"

#include "latin1.h"
#include "model_text.h"

namespace quorlink {

namespace {

// Places and fields hold labels and addresses (Latin-1 like every text of
// the records) between their marked words. A difference made without its
// words reads in English.
QString Shown(const TextTemplate& words, const std::string& english)
{
    if (*words.text == '\0')
        return ToQString(english);
    return ModelText(words);
}

}  // namespace

QString DifferenceText(const Difference& d)
{
    return FilledText(ModelText(d.Sentence()), {Shown(d.placeWords, d.place), Shown(d.fieldWords, d.field),
                                          ToQString(d.oldValue), ToQString(d.newValue)});
}

}  // namespace quorlink
