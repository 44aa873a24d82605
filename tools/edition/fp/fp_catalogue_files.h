#pragma once

#include "fp_catalogue.h"
#include "fp_texts.h"
#include "output_folder.h"

// One language's text tables of the catalogue: familias, fp, fp2, fpba, their
// detail blocks asignafp, asignagm, asignaba, and reqfp.
// `families` are the family records in this language.
void writeCatalogueTexts(const Catalogue& catalogue, const Records& families, LanguagePass& pass, OutputFolder& out);

// The title records datfps (higher grade) and datfpm (intermediate grade).
void writeTitleRecords(const Catalogue& catalogue, OutputFolder& out);
