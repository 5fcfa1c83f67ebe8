package com.velmor.brivon.sim;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

/**
 * The windowless view of a browser: paints, the popup widget, the cursor and drags that the
 * page starts, played here; the input and drop-target calls that reached the engine, read
 * back with every field. The levers act in a later loop iteration and return false for an
 * unknown or closed browser.
 *
 * <p>Pixels: width × height × 4 bytes, B, G, R, A a pixel, rows top to bottom. The byte at
 * offset o of a frame of width w is given by {@link #patternByte}; a paint refills only its
 * dirty rectangles.
 */
public final class SimView {
    private SimView() {
    }

    public static final int INPUT_CLICK = 0;
    public static final int INPUT_MOVE = 1;
    public static final int INPUT_WHEEL = 2;
    public static final int INPUT_KEY = 3;

    public static final int DRAG_ENTER = 0;
    public static final int DRAG_OVER = 1;
    public static final int DRAG_LEAVE = 2;
    public static final int DRAG_DROP = 3;
    public static final int DRAG_SOURCE_ENDED_AT = 4;
    public static final int DRAG_SOURCE_SYSTEM_ENDED = 5;

    /** One input call on the host; fields the call does not carry are 0. */
    public static final class Input {
        public final int kind;
        public final int x;
        public final int y;
        public final int modifiers;
        public final int button;
        public final boolean mouseUp;
        public final int clickCount;
        public final boolean mouseLeave;
        public final int deltaX;
        public final int deltaY;
        public final int keyType;
        public final int windowsKeyCode;
        public final int nativeKeyCode;
        public final int isSystemKey;
        public final int character;
        public final int unmodifiedCharacter;
        public final int focusOnEditableField;

        private Input(int[] v, int i) {
            kind = v[i];
            x = v[i + 1];
            y = v[i + 2];
            modifiers = v[i + 3];
            button = v[i + 4];
            mouseUp = v[i + 5] != 0;
            clickCount = v[i + 6];
            mouseLeave = v[i + 7] != 0;
            deltaX = v[i + 8];
            deltaY = v[i + 9];
            keyType = v[i + 10];
            windowsKeyCode = v[i + 11];
            nativeKeyCode = v[i + 12];
            isSystemKey = v[i + 13];
            character = v[i + 14];
            unmodifiedCharacter = v[i + 15];
            focusOnEditableField = v[i + 16];
        }
    }

    /** One drop-target or drag-source call on the host. */
    public static final class DragCall {
        public final int kind;
        public final int x;
        public final int y;
        public final int modifiers;
        /** Enter and over: the allowed operations; source ended at: the operation. */
        public final int allowedOps;
        public final boolean hasData;
        /** Enter: the very drag data the page's drag started with. */
        public final boolean engineData;
        /** Enter: the data's fragment text. */
        public final String text;

        private DragCall(int[] v, int i, String text) {
            kind = v[i];
            x = v[i + 1];
            y = v[i + 2];
            modifiers = v[i + 3];
            allowedOps = v[i + 4];
            hasData = v[i + 5] != 0;
            engineData = v[i + 6] != 0;
            this.text = text;
        }
    }

    /** The pattern byte at {@code offset} of a frame of that width painted with that serial. */
    public static int patternByte(int width, int serial, long offset) {
        long p = offset / 4;
        int x = (int) (p % width);
        int y = (int) (p / width);
        switch ((int) (offset % 4)) {
            case 0: return x & 0xff;
            case 1: return y & 0xff;
            case 2: return (x ^ y ^ serial) & 0xff;
            default: return 0xff;
        }
    }

    /**
     * Paints the view (popup false, at the size {@code GetViewRect} last gave) or the popup
     * widget (at width × height) {@code count} times in one task, with the dirty rectangles
     * {x, y, width, height, ...} as given.
     */
    public static native boolean paint(int id, boolean popup, int[] dirtyRects, int count, int width,
            int height);

    /** The select list opens: {@code OnPopupSize}, {@code OnPopupShow(true)}, a popup paint. */
    public static native boolean openPopupWidget(int id, int x, int y, int width, int height);

    /** Only {@code OnPopupSize}. */
    public static native boolean movePopupWidget(int id, int x, int y, int width, int height);

    /** The list closes: {@code OnPopupShow(false)}. */
    public static native boolean closePopupWidget(int id);

    public static native boolean changeCursor(int id, int cursorType);

    /** The user drags a selection of text: {@code StartDragging(data, allowedOps, x, y)}. */
    public static boolean startDrag(int id, String text, int allowedOps, int x, int y) {
        return text != null && nativeStartDrag(id, text, allowedOps, x, y);
    }

    public static List<Input> inputs(int id) {
        int[] v = inputsSnapshot(id);
        List<Input> out = new ArrayList<>();
        for (int i = 0; i + 16 < v.length; i += 17) {
            out.add(new Input(v, i));
        }
        return Collections.unmodifiableList(out);
    }

    public static List<DragCall> drags(int id) {
        Object[] snapshot = dragsSnapshot(id);
        int[] v = (int[]) snapshot[0];
        String[] texts = (String[]) snapshot[1];
        List<DragCall> out = new ArrayList<>();
        for (int i = 0; i < texts.length; i++) {
            out.add(new DragCall(v, i * 7, texts[i]));
        }
        return Collections.unmodifiableList(out);
    }

    /** {@code StartDragging}'s answers, in order. */
    public static List<Boolean> startDraggingAnswers(int id) {
        return booleans(startDraggingAnswersSnapshot(id));
    }

    /** {@code GetScreenInfo}'s answers, in order. */
    public static List<Boolean> screenInfoAnswers(int id) {
        return booleans(screenInfoAnswersSnapshot(id));
    }

    /** Calls of {@code Invalidate} for the view or the popup. */
    public static native int invalidations(int id, boolean popup);

    /** The byte of the engine's own frame memory as it is now; -1 out of range. */
    public static native int frameByte(int id, boolean popup, long offset);

    /** {paints, nanoseconds spent inside OnPaint}. */
    public static long[] paintTimes(int id) {
        return paintTimesSnapshot(id);
    }

    /** The serial of the last paint, 0 before any. */
    public static native int paintSerial(int id);

    /** Nanoseconds for {@code times} calls of {@code target.run()} from native code. */
    public static native long timePlainUpcalls(Runnable target, int times);

    /** Nanoseconds for {@code times} copies of a width × height × 4 frame with memcpy. */
    public static native long timeFrameCopies(int width, int height, int times);

    private static List<Boolean> booleans(int[] v) {
        List<Boolean> out = new ArrayList<>();
        for (int b : v) {
            out.add(b != 0);
        }
        return Collections.unmodifiableList(out);
    }

    private static native boolean nativeStartDrag(int id, String text, int allowedOps, int x, int y);

    private static native int[] inputsSnapshot(int id);

    private static native Object[] dragsSnapshot(int id);

    private static native int[] startDraggingAnswersSnapshot(int id);

    private static native int[] screenInfoAnswersSnapshot(int id);

    private static native long[] paintTimesSnapshot(int id);
}
