/* SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
 * SPDX-License-Identifier: GPL-3.0-or-later */
/* The plainest whole-file resave of an animation, for `tessanim resave` to be measured against:
 * read the file, decode every image into a 64,000-byte buffer of its own (a copy of the previous
 * frame, then the chunks), and write the file again, encoding every image byte by byte against
 * the one before it. No checks beyond what keeps it inside its buffers.
 *
 * usage: resave_peer IN OUT */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define FRAME_SIZE 64000

struct item
{
    char code[2];
    int32_t size;
    const uint8_t *payload;
    uint8_t *frame; /* images only */
};

static int32_t int32_at(const uint8_t *at)
{
    return (int32_t)((uint32_t)at[0] | (uint32_t)at[1] << 8 | (uint32_t)at[2] << 16
                     | (uint32_t)at[3] << 24);
}

static unsigned word_at(const uint8_t *at)
{
    return at[0] | (unsigned)at[1] << 8;
}

static int is_image(const struct item *item)
{
    return item->code[0] == 'G' && item->code[1] == 'R';
}

static void decode(const uint8_t *stream, size_t size, uint8_t *frame)
{
    size_t at = 0;
    while (at + 6 <= size) {
        unsigned type = word_at(stream + at), offset = word_at(stream + at + 2),
                 length = word_at(stream + at + 4);
        if (type == 0 || (type > 1 && type < 0x8000))
            return;
        at += 6;
        if (length > size - at || offset + length > FRAME_SIZE)
            return;
        memcpy(frame + offset, stream + at, length);
        at += length;
    }
}

struct buffer
{
    uint8_t *bytes;
    size_t size, capacity;
};

static void put(struct buffer *out, const void *bytes, size_t size)
{
    if (out->size + size > out->capacity) {
        while (out->size + size > out->capacity)
            out->capacity = out->capacity ? 2 * out->capacity : 65536;
        out->bytes = realloc(out->bytes, out->capacity);
        if (!out->bytes)
            exit(1);
    }
    memcpy(out->bytes + out->size, bytes, size);
    out->size += size;
}

static void put_int32(struct buffer *out, uint32_t value)
{
    uint8_t bytes[4] = {value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF, value >> 24};
    put(out, bytes, 4);
}

static void put_word(struct buffer *out, unsigned value)
{
    uint8_t bytes[2] = {value & 0xFF, value >> 8 & 0xFF};
    put(out, bytes, 2);
}

static void encode(const uint8_t *frame, const uint8_t *reference, struct buffer *out)
{
    size_t i = 0;
    while (i < FRAME_SIZE) {
        if (frame[i] == reference[i]) {
            ++i;
            continue;
        }
        size_t start = i;
        while (i < FRAME_SIZE && frame[i] != reference[i])
            ++i;
        put_word(out, 1);
        put_word(out, (unsigned)start);
        put_word(out, (unsigned)(i - start));
        put(out, frame + start, i - start);
    }
    put(out, "\0\0\0\0\0\0", 6);
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: resave_peer IN OUT\n");
        return 2;
    }
    FILE *in = fopen(argv[1], "rb");
    if (!in)
        return 1;
    fseek(in, 0, SEEK_END);
    long length = ftell(in);
    fseek(in, 0, SEEK_SET);
    uint8_t *file = malloc((size_t)length + 1);
    if (!file || fread(file, 1, (size_t)length, in) != (size_t)length)
        return 1;
    fclose(in);

    size_t count = 0, capacity = 0;
    struct item *items = NULL;
    const uint8_t *previous = NULL;
    size_t at = 0;
    while ((size_t)length - at >= 10) {
        if (count == capacity) {
            capacity = capacity ? 2 * capacity : 256;
            items = realloc(items, capacity * sizeof *items);
            if (!items)
                return 1;
        }
        struct item *item = &items[count++];
        memcpy(item->code, file + at, 2);
        item->size = int32_at(file + at + 6);
        at += 10;
        size_t size = item->size > 0 ? (size_t)item->size : 0;
        if (size > (size_t)length - at)
            return 1;
        item->payload = file + at;
        item->frame = NULL;
        at += size;
        if (!is_image(item))
            continue;
        item->frame = malloc(FRAME_SIZE);
        if (!item->frame)
            return 1;
        if (previous) {
            memcpy(item->frame, previous, FRAME_SIZE);
            decode(item->payload, size, item->frame);
        } else if (size > 0) {
            memset(item->frame, item->payload[0], FRAME_SIZE);
            decode(item->payload + 1, size - 1, item->frame);
        }
        previous = item->frame;
    }

    struct buffer out = {NULL, 0, 0};
    uint8_t background = 0;
    if (count > 0 && items[0].frame) {
        size_t histogram[256] = {0};
        for (size_t i = 0; i < FRAME_SIZE; ++i)
            ++histogram[items[0].frame[i]];
        for (int v = 1; v < 256; ++v)
            if (histogram[v] > histogram[background])
                background = (uint8_t)v;
    }
    uint8_t *background_frame = malloc(FRAME_SIZE);
    if (!background_frame)
        return 1;
    memset(background_frame, background, FRAME_SIZE);
    const uint8_t *reference = background_frame;
    for (size_t i = 0; i < count; ++i) {
        const struct item *item = &items[i];
        put(&out, item->code, 2);
        put_int32(&out, (uint32_t)(i + 1));
        if (!is_image(item)) {
            put_int32(&out, (uint32_t)item->size);
            put(&out, item->payload, item->size > 0 ? (size_t)item->size : 0);
            continue;
        }
        size_t size_at = out.size;
        put_int32(&out, 0);
        if (i == 0)
            put(&out, &background, 1);
        encode(item->frame, reference, &out);
        uint32_t size = (uint32_t)(out.size - size_at - 4);
        for (int b = 0; b < 4; ++b)
            out.bytes[size_at + b] = (uint8_t)(size >> (8 * b));
        reference = item->frame;
    }

    FILE *written = fopen(argv[2], "wb");
    if (!written || fwrite(out.bytes, 1, out.size, written) != out.size || fclose(written) != 0)
        return 1;
    for (size_t i = 0; i < count; ++i)
        free(items[i].frame);
    free(items);
    free(background_frame);
    free(out.bytes);
    free(file);
    return 0;
}
