package com.velmor.brivon.jni;

import java.nio.ByteBuffer;

/** A response whose whole body is known in advance, served in the chunks the engine asks for. */
public class ByteArrayResponse extends ResourceResponse {
    private final int status;
    private final String contentType;
    private final byte[] body;
    // Responses are read on engine loading threads, one operation after another but not always
    // on the same thread, so the read position must be visible across threads.
    private volatile int offset;

    public ByteArrayResponse(int status, String contentType, byte[] body) {
        this.status = status;
        this.contentType = contentType == null ? "" : contentType;
        this.body = body == null ? new byte[0] : body.clone();
    }

    @Override
    public int getHttpStatusCode() {
        return status;
    }

    @Override
    public long getContentLength() {
        return body.length;
    }

    @Override
    public String getContentType() {
        return contentType;
    }

    @Override
    public int read(ByteBuffer buffer) {
        int start = offset;
        int count = Math.min(body.length - start, buffer.capacity());
        if (count <= 0) {
            return 0;
        }
        // Index 0 is where the library expects the chunk, whatever the buffer's position is.
        ByteBuffer target = buffer.duplicate();
        target.clear();
        target.put(body, start, count);
        offset = start + count;
        return count;
    }
}
