#pragma once

// Marks a text of the core that the editor shows in the user's language. The core keeps and reports
// the English text; the editor translates it under the context (QCoreApplication::translate), and
// lupdate collects it by this name. kvxtool prints it as it is.
#define KVX_TR_NOOP(context, text) text
