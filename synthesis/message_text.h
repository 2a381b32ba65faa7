#pragma once
// The core's messages are written in Russian, the product's language. A program that shows them
// in another language installs a translator here; the batch tool installs none, so its messages
// stay exactly as written. Every fixed piece of a message goes through `messageText` with a
// literal context and text, which the translation tools collect.

#include <string>

namespace synthesis {

/// Returns the translation of the Russian `source` in `context`, or nothing to keep the source.
using MessageTranslator = std::string (*)(const char* context, const char* source);

/// Sets the translator used by every later message; nullptr keeps messages in Russian.
void setMessageTranslator(MessageTranslator translator);

/// Returns the fixed message piece `source` in the language of the installed translator.
std::string messageText(const char* context, const char* source);

}  // namespace synthesis

/// Marks the literal `source` as a message piece of `context` for the translation tools, for
/// tables of texts that are translated where they are used.
#define SYNTHESIS_TEXT(context, source) source
