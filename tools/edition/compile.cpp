#include "compile.h"

#include "interface_texts.h"
#include "output_folder.h"

bool compileEdition(const QString& sourceRoot, const QString& outputRoot, Diagnostics& diagnostics)
{
    OutputFolder out(outputRoot, diagnostics);
    compileInterfaceTexts(sourceRoot, out, diagnostics);
    return diagnostics.errors() == 0;
}
