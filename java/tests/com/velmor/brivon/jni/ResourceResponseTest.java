package com.velmor.brivon.jni;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;

import java.io.ByteArrayOutputStream;
import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.List;
import org.junit.jupiter.api.Test;

/**
 * The library offers each chunk as a fresh direct buffer over the engine's memory and takes the
 * returned count as the bytes written from index 0; 0 ends the body, a negative count fails the
 * load. These tests play that reader.
 */
class ResourceResponseTest {
    private static final byte[] BODY = "0123456789".getBytes(StandardCharsets.US_ASCII);

    /** Reads like the library: until 0 or less, each time into a new buffer of {@code capacity}. */
    private static List<Integer> readAll(ResourceResponse response, int capacity, ByteArrayOutputStream body) {
        List<Integer> counts = new ArrayList<>();
        for (int guard = 0; guard < 1000; guard++) {
            ByteBuffer buffer = ByteBuffer.allocateDirect(capacity);
            int count = response.read(buffer);
            counts.add(count);
            if (count <= 0) {
                return counts;
            }
            byte[] chunk = new byte[count];
            for (int i = 0; i < count; i++) {
                chunk[i] = buffer.get(i);
            }
            body.write(chunk, 0, count);
        }
        throw new AssertionError("read never ended the body");
    }

    @Test
    void bodyIsServedWholeInChunksOfTheOfferedSize() {
        Object[][] cases = {
            // capacity, counts returned
            {4, List.of(4, 4, 2, 0)},
            {10, List.of(10, 0)},
            {64, List.of(10, 0)},
            {1, List.of(1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0)},
        };
        for (Object[] row : cases) {
            int capacity = (Integer) row[0];
            ByteArrayResponse response = new ByteArrayResponse(200, "text/plain", BODY);
            ByteArrayOutputStream body = new ByteArrayOutputStream();
            assertEquals(row[1], readAll(response, capacity, body), "counts for capacity " + capacity);
            assertArrayEquals(BODY, body.toByteArray(), "body for capacity " + capacity);
        }
    }

    @Test
    void readingPastTheEndKeepsEndingRatherThanFailing() {
        ByteArrayResponse response = new ByteArrayResponse(200, "text/plain", BODY);
        readAll(response, 64, new ByteArrayOutputStream());
        // A negative count would fail the load with that value as the error.
        assertEquals(0, response.read(ByteBuffer.allocateDirect(64)));
    }

    @Test
    void chunkGoesToIndexZeroAndLeavesTheRestOfTheBufferAlone() {
        ByteArrayResponse response = new ByteArrayResponse(200, "text/plain", BODY);
        ByteBuffer buffer = ByteBuffer.allocateDirect(16);
        for (int i = 0; i < 16; i++) {
            buffer.put(i, (byte) 0x7f);
        }
        buffer.position(5);
        assertEquals(10, response.read(buffer));
        for (int i = 0; i < 10; i++) {
            assertEquals(BODY[i], buffer.get(i), "byte " + i);
        }
        for (int i = 10; i < 16; i++) {
            assertEquals(0x7f, buffer.get(i), "byte " + i + " beyond the chunk");
        }
    }

    @Test
    void headersDescribeTheBodyAndLaterChangesToTheCallersArrayDoNot() {
        byte[] source = BODY.clone();
        ByteArrayResponse response = new ByteArrayResponse(404, "text/html", source);
        source[0] = 'X';
        ByteArrayOutputStream body = new ByteArrayOutputStream();
        readAll(response, 64, body);
        assertEquals(404, response.getHttpStatusCode());
        assertEquals("text/html", response.getContentType());
        assertEquals(10L, response.getContentLength());
        assertArrayEquals(BODY, body.toByteArray());
    }

    @Test
    void emptyAndNullBodiesEndAtOnceWithLengthZero() {
        for (byte[] empty : new byte[][] {new byte[0], null}) {
            ByteArrayResponse response = new ByteArrayResponse(200, null, empty);
            assertEquals(0L, response.getContentLength());
            assertEquals("", response.getContentType());
            assertEquals(List.of(0), readAll(response, 8, new ByteArrayOutputStream()));
        }
    }

    @Test
    void baseResponseIsAnEmptyBodyOfUnknownLength() {
        // Unknown length, so that a subclass overriding only read still has its body read to the end.
        ResourceResponse response = new ResourceResponse();
        assertEquals(200, response.getHttpStatusCode());
        assertEquals(-1L, response.getContentLength());
        assertEquals(List.of(0), readAll(response, 8, new ByteArrayOutputStream()));
    }
}
