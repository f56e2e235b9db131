#pragma once

#include "finding_log.h"
#include "platform/text_reader.h"

class ByteSource;

// Finds what makes a text unreadable as a whole: UTF-16 without its byte-order mark, read as
// bytes, and an odd last byte of UTF-16.
void FindEncodingFaults(const ByteSource &text, TextReader::Encoding encoding,
                        FindingLog &findings);
