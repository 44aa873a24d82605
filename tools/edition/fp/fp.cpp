#include "fp.h"

#include "fp_catalogue_files.h"
#include "fp_centres.h"
#include "fp_certificates.h"
#include "fp_statistics.h"
#include "languages.h"

#include <QDir>

void compileVocationalTraining(const QString& sourceRoot, OutputFolder& out, Diagnostics& diagnostics)
{
    const int errorsBefore = diagnostics.errors();
    const Catalogue catalogue = readCatalogue(QDir(sourceRoot).filePath(QStringLiteral("fp")), diagnostics);
    const CertificateCatalogue certificates = readCertificates(catalogue, diagnostics);
    // The text tables are written by position: a broken structure is not written.
    if (diagnostics.errors() != errorsBefore)
        return;
    for (const Language& language : kLanguages) {
        LanguagePass pass(catalogue, language.name, diagnostics);
        const Records families = pass.lineFile(catalogue.familyRecords, "families.txt", QStringLiteral("name"));
        writeCatalogueTexts(catalogue, families, pass, out);
        writeCertificates(certificates, families, pass, out);
    }
    writeTitleRecords(catalogue, out);
    compileCentres(sourceRoot, catalogue, out, diagnostics);
    compileFamilyStatistics(catalogue, out, diagnostics);
}
