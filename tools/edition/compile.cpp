#include "compile.h"

#include "fp.h"
#include "geography.h"
#include "guidance.h"
#include "interface_texts.h"
#include "output_folder.h"
#include "pictures.h"
#include "university.h"

bool compileEdition(const QString& sourceRoot, const QString& outputRoot, Diagnostics& diagnostics)
{
    OutputFolder out(outputRoot, diagnostics);
    compileInterfaceTexts(sourceRoot, out, diagnostics);
    writeStartupPictures(out);
    writeSpriteArchives(out, diagnostics);
    writeEngineSound(out);
    compileGeography(sourceRoot, out, diagnostics);
    compileVocationalTraining(sourceRoot, out, diagnostics);
    compileUniversity(sourceRoot, out, diagnostics);
    compileGuidance(sourceRoot, out, diagnostics);
    return diagnostics.errors() == 0;
}
