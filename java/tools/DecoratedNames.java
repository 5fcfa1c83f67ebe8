import java.io.IOException;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.HashSet;
import java.util.List;
import java.util.Set;

/**
 * Prints the 32-bit Windows export names of a class's native methods, one a line, sorted, as a
 * 32-bit JVM looks them up: {@code _Java_<mangled class>_<method>@<argument bytes>}. The bytes
 * count the environment and class pointers (8) and every argument, 8 for long and double, 4 for
 * anything else. Derived from the compiled class so that the export list cannot drift from it.
 *
 * Usage: java -cp <jar> DecoratedNames.java <class name> <output file>
 */
public final class DecoratedNames {
    private DecoratedNames() {
    }

    public static void main(String[] args) throws IOException, ClassNotFoundException {
        if (args.length != 2) {
            System.err.println("usage: DecoratedNames <class name> <output file>");
            System.exit(2);
        }
        Class<?> type = Class.forName(args[0], false, DecoratedNames.class.getClassLoader());
        List<String> names = new ArrayList<>();
        Set<String> methods = new HashSet<>();
        for (Method method : type.getDeclaredMethods()) {
            if (!Modifier.isNative(method.getModifiers())) {
                continue;
            }
            // The library exports short names only; an overload would need the long form.
            if (!methods.add(method.getName())) {
                System.err.println("DecoratedNames: overloaded native method " + method.getName());
                System.exit(1);
            }
            names.add("_Java_" + mangle(type.getName()) + "_" + mangle(method.getName()) + "@" + argumentBytes(method));
        }
        if (names.isEmpty()) {
            System.err.println("DecoratedNames: no native methods in " + type.getName());
            System.exit(1);
        }
        names.sort(null);
        write(Paths.get(args[1]), names);
    }

    private static int argumentBytes(Method method) {
        int bytes = 8;
        for (Class<?> parameter : method.getParameterTypes()) {
            bytes += parameter == long.class || parameter == double.class ? 8 : 4;
        }
        return bytes;
    }

    // JNI name mangling; only the escapes that a Java identifier can need.
    private static String mangle(String name) {
        StringBuilder out = new StringBuilder();
        for (char c : name.toCharArray()) {
            if (c == '.') {
                out.append('_');
            } else if (c == '_') {
                out.append("_1");
            } else if (c == '$' || c > 0x7f) {
                out.append(String.format("_0%04x", (int) c));
            } else {
                out.append(c);
            }
        }
        return out.toString();
    }

    // Written beside the target and moved into place, so a failed run never leaves a short list.
    private static void write(Path target, List<String> names) throws IOException {
        Path absolute = target.toAbsolutePath();
        Path temporary = Files.createTempFile(absolute.getParent(), ".decorated", ".tmp");
        try {
            Files.write(temporary, names, StandardCharsets.US_ASCII);
            Files.move(temporary, absolute, StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
        } finally {
            Files.deleteIfExists(temporary);
        }
    }
}
