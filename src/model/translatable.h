// SPDX-License-Identifier: GPL-3.0-or-later
// The records know nothing of languages, yet some of their words reach the
// user (setting names, list texts, notes). They are marked with
// QT_TRANSLATE_NOOP("Records", ...) so that the translation tools find them;
// the window and the command line put them into the user's language.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
