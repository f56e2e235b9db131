#pragma once

// What a character that shows nothing does: most are ignored where they stand; the
// bidirectional embeddings, overrides and isolates open or close a stretch of text.
enum class Unseen { Shows, Ignored, OpensEmbedding, ClosesEmbedding, OpensIsolate, ClosesIsolate };

// The kind of a character, by its code point: the default-ignorable characters, which a font
// draws as nothing, and the interlinear annotation marks, which show nothing either.
Unseen UnseenKind(char32_t code);

// Whether the character draws as nothing.
inline bool IsUnseen(char32_t code) {
    return UnseenKind(code) != Unseen::Shows;
}
