#pragma once
// DiSP / Locan AT / Spartan AT / Spartan 2000 / Mistras message files: a plain sequence of
// length-prefixed messages. The reader decodes hits by the hit data set definition of the last
// hardware setup; the writer copies messages byte for byte.
#include <array>
#include <cstdint>
#include <memory>

#include "datafiles/ARecorderSetup.h"
#include "datafiles/AWDiskFile.h"
#include "datafiles/ChidTable.h"

namespace ae {

class LDFile : public AWDiskFile {
 public:
  static constexpr int MaxMessageLength = 50000;
  static constexpr int MaxDefinitionChids = ChidMax;
  // A continued file (the second and later files of a split test) starts with message 8: the
  // DOS time and date of the continuation, then the test's setup messages as the first file
  // has them at its top level.
  static constexpr int ContinuedTimeBytes = 8;
  static constexpr int ContinuedFirstEmbedded = 1 + ContinuedTimeBytes;

  // Message identifiers the reader and the queries tell apart.
  enum : int {
    msgHit = 1,
    msgTimeDriven = 2,
    msgDemand = 3,
    msgDataSetDefinition = 5,
    msgComment = 7,
    msgContinuedFile = 8,
    msgResetClock = 11,
    msgEndOfData = 15,
    msgGain = 22,
    msgThreshold = 23,
    msgHitDefinitionTime = 24,
    msgHitLockoutTime = 25,
    msgPeakDefinitionTime = 26,
    msgProductDefinition = 41,
    msgHardwareSetup = 42,
    msgText = 99,
    msgBeginSetup = 100,
    msgEndSetup = 101,
    msgResume = 128,
    msgStop = 129,
    msgPause = 130,
    msgWaveform = 173,
    msgTimeMark = 211,
  };

  explicit LDFile(std::FILE* stream);

  void Finish() override {}
  void GetRec(ZTShortHit& rec) override;
  double GetValue(int code) override;
  double GetTime() override { return GetValue(pcTime); }
  bool IsFirst() override { return Tell() == 0; }
  void SeekBegin() override { SeekTo(0); }
  void SeekFirst() override { SeekTo(0); }
  bool SkipNext() override;
  bool ReadNext() override;
  void Append(AWDiskFile& source) override;
  bool IsHit() override { return Id() == msgHit; }
  bool IsStop() override { return Id() == msgStop; }
  bool HasTime() override;
  bool IsEndOfData() override { return Id() == msgEndOfData; }
  bool IsTimeDriven() override { return Id() == msgTimeDriven || Id() == msgDemand; }
  bool IsComment() override { return Id() == msgComment; }
  bool IsWaveform() override { return Id() == msgWaveform; }
  int CountRecs() override;
  int CountHits() override;
  void DumpRec(std::ostream& os, int mask) override;
  void DumpAll(std::ostream& os, int mask) override;
  bool CanFilter() override { return true; }
  bool IsALine() override { return false; }
  // The product definition (41), the first text message (99, the test's date and time as the
  // instrument writes it) and the channel settings (22 to 26, also as sub-messages of a hardware
  // setup), at the top level or inside a continued-file message.
  void AddToSummary(ADataFileSummary& summary) override;
  // Message 173 of sub-identifier 1 with at least one sample.
  bool IsSampledWaveform() override;
  bool GetWaveformPlace(AWaveformPlace& place) override;
  int CountedWaveforms() override { return countedWaveforms_; }
  void SkipWaveformSamples(bool on) override { skipSamples_ = on; }
  // The recorder setup of the hardware setups read so far (at the top level or inside a
  // continued-file message).
  const ARecorderSetup& RecorderSetup() const { return recorder_; }
  ATestTime CurrentTestTime() override { return ATestTime::FromBytes(Message() + 1); }
  std::uint64_t CurrentTicks() override { return ATestTime::TicksFromBytes(Message() + 1); }

  // Like ReadNext, but without clearing the message area first; after a hardware setup the
  // stream is put at its byte 4, and after a continued-file message at its first embedded
  // message, so that what they hold is read next as messages.
  virtual bool ReadNextRaw();
  virtual bool IsTimeMarkMsg() { return Id() == msgTimeMark; }
  // ReadNextRaw to the end, one line with identifier and length per message.
  virtual void DumpIds(std::ostream& os);

  // The current message: its LEN and its bytes from the identifier on. Bytes beyond LEN read
  // as zero after ReadNext.
  int Length() const { return length_; }
  int Id() const { return area_[LengthBytes]; }
  const std::uint8_t* Message() const { return area_.get() + LengthBytes; }

  // The hit data set definition in force.
  int DefinitionChidCount() const { return chidCount_; }
  int DefinitionChid(int i) const { return chids_[static_cast<unsigned>(i)]; }
  int ParametricCount() const { return parametricCount_; }
  // The value of a CHID in the last hit read; 0 when its definition does not name it.
  std::uint32_t ChidValue(int chid) const;

  // The channel the channel-setup table of the text dump wrote last; one for the whole
  // program, 0 at start.
  static int& LastChannelWritten();

 private:
  static constexpr int LengthBytes = 2;
  // Room after the largest message so that decoding a hit that is shorter than its definition
  // reads zeros instead of running off the area (at most 8 + 21 x 4 + 3 bytes are read).
  static constexpr int Slack = 128;

  // decode: the message read is decoded (ReadNext, ReadNextRaw), not stepped over (SkipNext).
  bool ReadMessage(bool clearFirst, bool decode);
  void ClearArea();
  // Setup messages take effect when read: a hardware setup at the top level or inside a
  // continued-file message.
  void ApplySetup();
  void ApplyHardwareSetup(const std::uint8_t* msg, int length);
  void SetDefinition(const std::uint8_t* body, int bodyLength, bool keepParametricCount);
  void PlanHitLayout();
  bool NextIsCompleteHit() const;
  void KeepHitValues();
  std::int16_t Parametric1() const;
  std::uint16_t MessageU16(int offset) const;
  void DumpHitTitles(std::ostream& os);
  void DumpHit(std::ostream& os);
  void DumpChannelSetup(std::ostream& os);
  void DumpText(std::ostream& os, int from);
  void WritePrefix(std::ostream& os);
  // The continuation time and then every embedded message as DumpRec writes it, indented.
  void DumpContinuedFile(std::ostream& os, int mask);

  // LEN (2 bytes) followed by the message, so that Append writes both with one call.
  std::unique_ptr<std::uint8_t[]> area_;
  int length_ = 0;
  int dirty_ = 0;  // bytes of area_ after LEN that may be non-zero

  int chidCount_ = 0;
  std::array<std::uint8_t, MaxDefinitionChids> chids_{};
  int parametricCount_ = 0;
  // The values of a hit are read from the message when asked for, at the offsets planned from
  // the definition in force (-1: not named). Only when a message that is not a hit replaces
  // the last hit in the area are its values kept in the slots, for the queries that follow.
  std::array<std::int16_t, ChidMax + 1> chidOffset_{};
  std::array<std::uint8_t, ChidMax + 1> chidSize_{};
  int parametricOffset_ = 0;
  bool valuesInMessage_ = false;
  std::array<std::uint32_t, ChidMax + 1> slots_{};
  std::array<std::uint8_t, 3> parametric_{};
  ARecorderSetup recorder_;
  int countedWaveforms_ = 0;
  bool skipSamples_ = false;
  bool samplesSkipped_ = false;  // the current message is a waveform without its samples
  bool columnTitles_ = true;
  bool dumpingEmbedded_ = false;  // a continued-file message inside another is not opened
};

}  // namespace ae
