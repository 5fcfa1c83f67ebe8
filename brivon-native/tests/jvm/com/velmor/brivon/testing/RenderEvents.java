package com.velmor.brivon.testing;

import com.velmor.brivon.jni.RenderHandler;
import java.nio.ByteBuffer;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * Records every render-handler callback in order. A paint is recorded with what Java could see
 * of its buffer while the call lasted: whether it was direct, its capacity, and the bytes at
 * {@link #probeOffsets}. {@link #paintHook} runs inside onPaint with the live buffer.
 */
public class RenderEvents implements RenderHandler {
    /** One paint as Java saw it. */
    public static final class Paint {
        public final long browser;
        public final boolean popup;
        public final int width;
        public final int height;
        public final boolean direct;
        public final long capacity;
        public final int[] probed;
        public final int[] rects;

        Paint(long browser, boolean popup, int width, int height, boolean direct, long capacity, int[] probed,
                int[] rects) {
            this.browser = browser;
            this.popup = popup;
            this.width = width;
            this.height = height;
            this.direct = direct;
            this.capacity = capacity;
            this.probed = probed;
            this.rects = rects;
        }

        @Override
        public String toString() {
            return "paint(" + browser + ", popup " + popup + ", " + width + "x" + height + ", rects "
                + Arrays.toString(rects) + ")";
        }
    }

    /** A callback other than a paint: name, browser and its one number or flag. */
    public static final class Call {
        public final String name;
        public final long browser;
        public final int number;

        Call(String name, long browser, int number) {
            this.name = name;
            this.browser = browser;
            this.number = number;
        }

        @Override
        public String toString() {
            return name + "(" + browser + ", " + number + ")";
        }
    }

    /** Receives the live buffer inside onPaint. */
    public interface PaintHook {
        void onPaint(ByteBuffer pixels);
    }

    public final List<Paint> paints = new ArrayList<>();
    public final List<Call> calls = new ArrayList<>();
    public long[] probeOffsets = new long[0];
    public PaintHook paintHook = pixels -> { };
    /** Keep only a count of paints, for runs of thousands. */
    public boolean countOnly;
    public int paintCount;

    public List<Paint> paints(long browser) {
        List<Paint> out = new ArrayList<>();
        for (Paint p : paints) {
            if (p.browser == browser) {
                out.add(p);
            }
        }
        return out;
    }

    public List<Call> named(String name, long browser) {
        List<Call> out = new ArrayList<>();
        for (Call c : calls) {
            if (c.name.equals(name) && c.browser == browser) {
                out.add(c);
            }
        }
        return out;
    }

    public void clear() {
        paints.clear();
        calls.clear();
        paintCount = 0;
    }

    @Override
    public void onPaint(long browserId, boolean popup, int width, int height, ByteBuffer pixels, int[] dirtyRects) {
        paintCount++;
        if (countOnly) {
            return;
        }
        int[] probed = new int[probeOffsets.length];
        for (int i = 0; i < probeOffsets.length; i++) {
            probed[i] = pixels.get((int) probeOffsets[i]) & 0xff;
        }
        paints.add(new Paint(browserId, popup, width, height, pixels.isDirect(), pixels.capacity(), probed,
            dirtyRects.clone()));
        paintHook.onPaint(pixels);
    }

    @Override
    public void onPopupShow(long browserId, boolean show) {
        calls.add(new Call("onPopupShow", browserId, show ? 1 : 0));
    }

    @Override
    public void onCursorChange(long browserId, int cursorType) {
        calls.add(new Call("onCursorChange", browserId, cursorType));
    }

    @Override
    public void onStartDragging(long browserId, int allowedOperations) {
        calls.add(new Call("onStartDragging", browserId, allowedOperations));
    }

    @Override
    public void onUpdateDragCursor(long browserId, int operation) {
        calls.add(new Call("onUpdateDragCursor", browserId, operation));
    }
}
