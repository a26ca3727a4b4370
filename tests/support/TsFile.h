#pragma once
// The messages of a Qt translation source (.ts), for the tests of the programs' Russian texts.
// Header only: the tests that read .ts files link Qt, the test support library does not.
#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <vector>

namespace ae::test {

struct TsMessage {
  QString Context;
  QString Source;
  QString Translation;
  QString Type;  // "" (finished), "unfinished", "vanished" or "obsolete"
};

// Every message of the file; an empty list when it cannot be read.
inline std::vector<TsMessage> ReadTsFile(const QString& path) {
  std::vector<TsMessage> messages;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return messages;
  QXmlStreamReader xml(&file);
  QString context;
  TsMessage message;
  while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    const auto name = xml.name();
    if (name == u"name") {
      context = xml.readElementText();
    } else if (name == u"message") {
      message = TsMessage{context, {}, {}, {}};
    } else if (name == u"source") {
      message.Source = xml.readElementText();
    } else if (name == u"translation") {
      message.Type = xml.attributes().value("type").toString();
      message.Translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
      messages.push_back(message);
    }
  }
  if (xml.hasError()) messages.clear();
  return messages;
}

}  // namespace ae::test
