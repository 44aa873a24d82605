#include "university.h"

#include "university_documents.h"
#include "university_model.h"
#include "university_studies.h"
#include "university_tables.h"

void compileUniversity(const QString& sourceRoot, OutputFolder& out, Diagnostics& diagnostics)
{
    const UniversityData data = readUniversity(sourceRoot, diagnostics);
    writeDegreeRecords(data, out);
    writeDegreeNames(sourceRoot, data, out, diagnostics);
    writeStudiesPages(sourceRoot, data.communities, out, diagnostics);
    writeDocuments(sourceRoot, data, out, diagnostics);
}
