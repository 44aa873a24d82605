#pragma once

#include "fp_catalogue.h"
#include "fp_texts.h"
#include "output_folder.h"

// The professional certificates of fp/cas/: fields of work, requirement kinds
// and certificates by family.
struct CertificateCatalogue {
    Records fieldRecords, kindRecords, records;
    std::vector<QString> fieldCodes; // family code characters of each field
    struct Certificate {
        int family = 0; // 1..26
        QString requirements; // requirement kind digits
        int hours = 0;
    };
    std::vector<Certificate> certificates;
    struct Line {
        bool heading = false;
        int index = 0; // family number for a heading, certificate index otherwise
    };
    std::vector<Line> lines; // after the nine field lines
};

CertificateCatalogue readCertificates(const Catalogue& catalogue, Diagnostics& diagnostics);

// certifica and certificah of one language; `families` in that language.
void writeCertificates(const CertificateCatalogue& certificates, const Records& families, LanguagePass& pass,
                       OutputFolder& out);
