#include "synthesis/message_text.h"

#include <atomic>

namespace synthesis {
namespace {

// Set by the program's thread before a search; read by the searching threads.
std::atomic<MessageTranslator> g_translator{nullptr};

}  // namespace

void setMessageTranslator(MessageTranslator translator) {
  g_translator.store(translator);
}

std::string messageText(const char* context, const char* source) {
  const MessageTranslator translator = g_translator.load();
  if (!translator) return source;
  std::string translated = translator(context, source);
  return translated.empty() ? std::string(source) : translated;
}

}  // namespace synthesis
